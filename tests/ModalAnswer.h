#pragma once

// Answering modal windows from timers. A QVERIFY or QCOMPARE that fails inside a timer's callback
// returns from the callback only: the window it was to answer stays up, and its exec() would keep
// the test waiting until the function timeout. Checked() closes the modal windows instead, so the
// test ends at once with its failure.
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>

namespace testsupport {

// Rejects (or closes) every modal window that is up; then, until the failed test function ends,
// every one that comes up after, so that each exec() waiting on one returns.
inline void CloseModalsOfFailedTest() {
    const auto closeAll = [] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
            if (QApplication::activeModalWidget() == modal) {
                break; // refused to close; nothing more to do here
            }
        }
    };
    closeAll();
    auto* sweeper = new QTimer(qApp);
    QObject::connect(sweeper, &QTimer::timeout, sweeper, [sweeper, closeAll] {
        // The failure flag is reset when the next test function (or data row) starts.
        if (!QTest::currentTestFailed()) {
            sweeper->deleteLater();
            return;
        }
        closeAll();
    });
    sweeper->start(20);
}

// `callback` (a timer's answer to a modal window, with checks in it), followed by the closing of
// every modal window if a check in it failed.
template <typename F> auto Checked(F callback) {
    return [callback = std::move(callback)]() mutable {
        callback();
        if (QTest::currentTestFailed()) {
            CloseModalsOfFailedTest();
        }
    };
}

// The running test function and data row.
inline QByteArray CurrentTest() {
    return QByteArray(QTest::currentTestFunction()) + '/' + QByteArray(QTest::currentDataTag());
}

// Runs `answer` on the next modal window of type T once it is up, looking every 50 ms. It stops
// looking when the test has failed or the test function it was made in has ended.
template <typename T> void Answer(std::function<void(T*)> answer) {
    const QByteArray test = CurrentTest();
    QTimer::singleShot(50, Checked([answer, test] {
                           if (QTest::currentTestFailed() || CurrentTest() != test) {
                               return;
                           }
                           if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                               answer(dialog);
                           } else {
                               Answer<T>(answer);
                           }
                       }));
}

} // namespace testsupport
