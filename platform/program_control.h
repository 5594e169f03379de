// Starting another program, ending this one at once, and the screen's size.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Starts the program file (found in folder, or beside this program) and does not wait.
    virtual bool startProgram(const QString& fileName, const QString& folder) = 0;
    // Ends the program at once: no window's closing code runs. Callers return right after it.
    virtual void end() = 0;
    // True once end() was asked for; the real program never gets to ask.
    virtual bool hasEnded() const = 0;
    virtual QSize screenSize() const = 0;
};

class QtProgramControl : public ProgramControl {
public:
    bool startProgram(const QString& fileName, const QString& folder) override;
    void end() override;
    bool hasEnded() const override { return false; }
    QSize screenSize() const override;
};

// Records what the program asked for instead of doing it.
class RecordingProgramControl : public ProgramControl {
public:
    bool startProgram(const QString& fileName, const QString&) override
    {
        started << fileName;
        return true;
    }
    void end() override { ended = true; }
    bool hasEnded() const override { return ended; }
    QSize screenSize() const override { return screen; }

    QStringList started;
    bool ended = false;
    QSize screen{1024, 768};
};
