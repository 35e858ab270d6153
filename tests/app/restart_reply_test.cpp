#include "app/restart_reply.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <memory>
#include <vector>

namespace quorvex {
namespace {

// A method call shaped like the restart request; only its answers are ever made here.
QDBusMessage rebootCall() {
    return QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Reboot"));
}

QDBusMessage errorAnswer(QDBusError::ErrorType type, const QString& text) {
    return rebootCall().createErrorReply(type, text);
}

void drainEvents() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

TEST(RestartReplyTest, OnlyAFailureIsAReasonAndAnUnknownOutcomeIsNone) {
    struct Case {
        QDBusMessage answer;
        QString reason;
    };
    const std::vector<Case> cases = {
        {rebootCall().createReply(), {}},
        {errorAnswer(QDBusError::AccessDenied, QStringLiteral("Not authorized")),
         QStringLiteral("Not authorized")},
        {rebootCall().createErrorReply(
             QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
             QStringLiteral("Interactive authentication required.")),
         QStringLiteral("Interactive authentication required.")},
        {errorAnswer(QDBusError::ServiceUnknown, QStringLiteral("login1 is not running")),
         QStringLiteral("login1 is not running")},
        {rebootCall().createErrorReply(QStringLiteral("org.freedesktop.login1.OperationInProgress"),
                                       QString()),
         QStringLiteral("org.freedesktop.login1.OperationInProgress")},
        // The user may still be at the password prompt, or the computer already going down.
        {errorAnswer(QDBusError::NoReply, QStringLiteral("Did not receive a reply")), {}},
        {errorAnswer(QDBusError::Timeout, QStringLiteral("timed out")), {}},
        {errorAnswer(QDBusError::TimedOut, QStringLiteral("timed out")), {}},
        {errorAnswer(QDBusError::Disconnected, QStringLiteral("bus closed")), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(restartRefusal(c.answer), c.reason) << c.answer.errorName().toStdString();
}

TEST(RestartReplyTest, ARefusalIsReportedFromTheEventLoopOnce) {
    QObject context;
    std::vector<QString> reasons;
    watchRestartReply(QDBusPendingCall::fromCompletedCall(
                          errorAnswer(QDBusError::AccessDenied, QStringLiteral("Not authorized"))),
                      &context, [&](const QString& reason) { reasons.push_back(reason); });
    EXPECT_TRUE(reasons.empty());  // the window is never held up by the request
    drainEvents();
    ASSERT_EQ(reasons.size(), 1u);
    EXPECT_EQ(reasons[0], QStringLiteral("Not authorized"));
}

TEST(RestartReplyTest, AnAcceptedOrUnansweredRequestSaysNothing) {
    QObject context;
    int calls = 0;
    for (const QDBusMessage& answer :
         {rebootCall().createReply(), errorAnswer(QDBusError::NoReply, QStringLiteral("late"))})
        watchRestartReply(QDBusPendingCall::fromCompletedCall(answer), &context,
                          [&](const QString&) { ++calls; });
    drainEvents();
    EXPECT_EQ(calls, 0);
}

TEST(RestartReplyTest, NothingIsCalledOnceTheContextIsGone) {
    auto context = std::make_unique<QObject>();
    int calls = 0;
    watchRestartReply(QDBusPendingCall::fromCompletedCall(
                          errorAnswer(QDBusError::AccessDenied, QStringLiteral("Not authorized"))),
                      context.get(), [&](const QString&) { ++calls; });
    context.reset();
    drainEvents();
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace quorvex
