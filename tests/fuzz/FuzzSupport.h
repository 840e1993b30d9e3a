// Shared by the fuzz targets: a Qt core application, a sink that keeps reports
// off stderr, text from fuzz bytes, and a check that aborts with a message.
#pragma once

#include "text/Feedback.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace FuzzSupport {

// Counts reports and beeps instead of showing them.
class CountingSink : public Fncts::FeedbackSink {
public:
    void plainMessage(const QString&) override { ++messages; }
    void beep() override { ++beeps; }
    int messages = 0;
    int beeps = 0;
};

inline CountingSink& sink()
{
    static CountingSink s;
    return s;
}

// One core application for the whole run, and the counting sink installed.
inline void start(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    Fncts::setFeedbackSink(&sink());
}

// Bytes read as UTF-8: well-formed text, invalid sequences as replacement characters.
inline QString utf8(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

[[noreturn]] inline void fail(const char* file, int line, const char* what)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport

// Unlike assert, stays on in every build type.
#define FUZZ_CHECK(cond) ((cond) ? void(0) : FuzzSupport::fail(__FILE__, __LINE__, #cond))
