#include "shell/card_messages.h"

#include "platform/prompter.h"
#include "shell/config_rewrite.h"

bool askToSaveCard(Prompter& prompter, const QString& title)
{
    return prompter.message("Save Changes to Report Card?", Prompter::YesNo, Prompter::Exclamation, title)
           == Prompter::Yes;
}

bool tellCardRewrite(Prompter& prompter, const CardRewrite& rewrite, const QString& inProgress)
{
    switch (rewrite.Result) {
    case CardRewrite::Saved: return true;
    case CardRewrite::SavedNotResumable:
        prompter.message(
            QStringLiteral("Your report card was saved, but the %1 in progress now lies too far into the configuration "
                           "file to be resumed after the program is closed.\r\nYou can resume it until you close the "
                           "program.")
                .arg(inProgress),
            Prompter::OkOnly, Prompter::Exclamation, QString());
        return true;
    case CardRewrite::Failed:
        prompter.message("Your report card could not be saved. Nothing was changed.\r\n" + rewrite.Error,
                         Prompter::OkOnly, Prompter::Critical, QString());
        return false;
    }
    return false;
}

void tellUnshownRecords(Prompter& prompter, int count)
{
    if (count == 0)
        return;
    const QString text = count == 1 ? QStringLiteral("One saved record is damaged and cannot be shown on this report "
                                                     "card.\r\nIt is kept in your file unchanged.")
                                    : QStringLiteral("%1 saved records are damaged and cannot be shown on this report "
                                                     "card.\r\nThey are kept in your file unchanged.")
                                          .arg(count);
    prompter.message(text, Prompter::OkOnly, Prompter::Exclamation, "Damaged Records Kept");
}

void tellUnreadableCardFile(Prompter& prompter, const QString& error)
{
    prompter.message(error + "\r\nThe report card shows no tests; your file is left as it is.", Prompter::OkOnly,
                     Prompter::Exclamation, "File Cannot Be Read!");
}
