// Error reports, beeps and waits: the feedback every layer may give the user.
// The application installs a sink that shows the plain message box and beeps;
// until then (and in tests) reports go to the recorder sink or to stderr.
#pragma once

#include <QString>
#include <QStringList>

namespace Fncts {

// The platform's end-of-line sequence.
QString EOL();

class FeedbackSink {
public:
    virtual ~FeedbackSink() = default;
    // The platform's plain message box: the message and one OK button.
    virtual void plainMessage(const QString& message) = 0;
    virtual void beep() = 0;
};

// Installs the sink; nullptr restores the default one (stderr, no sound).
void setFeedbackSink(FeedbackSink* sink);
FeedbackSink* feedbackSink();

// The plain message box with the message as given.
void PlainMessage(const QString& message);

// "Error ! Please contact the authors." + EOL + detail, in the plain message box.
void ErrorReport(const QString& detail);
// The two-line variant: "Error !" + EOL + "Please contact the authors." + EOL + detail.
void ErrorReport2(const QString& detail);
QString errorReportText(const QString& detail);

void Beep();
// count beeps, a sixth of a second apart, without handling events; nothing below 1.
void BeepNbT(qint16 count);
// Waits ticks sixtieths of a second, handling pending events when asked.
void Pause(quint16 ticks, bool processEvents);

// A sink that records instead of showing, for tests.
class RecordingSink : public FeedbackSink {
public:
    void plainMessage(const QString& message) override { messages << message; }
    void beep() override { ++beeps; }
    QStringList messages;
    int beeps = 0;
};

} // namespace Fncts
