#include "app/startup.h"

#include "platform/cp1252.h"
#include "platform/durable_file.h"
#include "shell/app_state.h"

const QByteArray TitlePaneRtf = "{\\rtf1\\ansi\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                                "\\viewkind4\\uc1\\pard\\b\\f0\\fs23 RichTextBox1\r\n"
                                "\\par }\r\n";

namespace {
// A name typed with RTF's special characters must not break the notebook's markup.
QByteArray rtfEscaped(const QByteArray& text)
{
    QByteArray out;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}')
            out += '\\';
        out += c;
    }
    return out;
}
}  // namespace

QByteArray notebookTemplate(const Edition& edition, const QByteArray& userName)
{
    const QByteArray crlf = "\r\n", par = "\\par ";
    const QByteArray head = TitlePaneRtf.chopped(3);  // up to the final "\par "
    QByteArray body = "\\b\\qc Review Notes for the" + crlf + par + cp1252::fromUnicode(edition.NotebookHeading) + crlf
                      + par + cp1252::fromUnicode(edition.TitleLine2) + crlf + par
                      + "\\pard\\plain Notebook prepared by " + rtfEscaped(userName) + crlf + par + crlf;
    for (int t = 1; t <= edition.TopicCount; ++t) {
        body += par + cp1252::fromUnicode(edition.TopicTitles[t]) + crlf + par + "Notes:" + crlf;
        for (int k = 0; k < 4; ++k)
            body += par + crlf;
    }
    return head + body + par + "}" + crlf;
}

QByteArray enteredUserName(const QString& typed)
{
    qsizetype start = 0;
    while (start < typed.size() && typed[start] == ' ')
        ++start;
    return cp1252::fromUnicode(typed.mid(start, 30));
}

QString choosePrinterFontName(const QStringList& printerFonts)
{
    const QString joined = printerFonts.join(QString());
    QString chosen;
    for (const char* name : {"Terminal", "MS LineDraw", "Courier", "Courier New"})
        if (joined.contains(QLatin1String(name)))
            chosen = name;
    return chosen;
}

void saveFirstRun(AppState& state)
{
    const QString notebook = state.path(state.NotebookFileName);
    durable_file::replace(notebook, notebookTemplate(state.edition, state.settings.UserName));
    const ConfigFile config = state.config();
    ConfigRecord record = config.readRecord1();
    initialiseFirstRun(record, state.edition, state.settings.UserName);
    config.writeRecord1(record);
}
