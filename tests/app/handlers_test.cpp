// The general error handler and the close on SIGTERM and SIGINT.

#include "platform/errorreport.h"
#include "app/signalclose.h"

#include "scriptedprompt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(ErrorReportTest, EscapingFailureIsShownWithItsTextAndEndsOnlyTheCommand)
{
    TScriptedPrompt prompt;
    bool after = false;
    EXPECT_FALSE(RunReporting(nullptr, [&] {
        throw std::runtime_error("Не удалось записать файл x");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_EQ(prompt.Messages, QStringList({"Не удалось записать файл x"}));
    EXPECT_TRUE(RunReporting(nullptr, [] {}));
    EXPECT_EQ(prompt.Messages.size(), 1);
}

namespace {

int ProcessEventsUntil(const int &calls, int wanted)
{
    QElapsedTimer clock;
    clock.start();
    while (calls < wanted && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return calls;
}

} // namespace

TEST(SignalCloseTest, TermAndIntArriveOnTheEventLoop)
{
    int calls = 0;
    {
        TSignalCloser closer([&calls] { ++calls; });
        std::raise(SIGTERM);
        EXPECT_EQ(calls, 0); // nothing runs inside the signal handler
        EXPECT_EQ(ProcessEventsUntil(calls, 1), 1);
        std::raise(SIGINT);
        EXPECT_EQ(ProcessEventsUntil(calls, 2), 2);
    }
    // Afterwards the default handlers are back.
    struct sigaction current {};
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
