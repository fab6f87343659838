#include "app/gui/TfrmSaving.h"
#include "support/TestEnvironment.h"

#include <QProgressBar>

class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        // Leave no window behind for the next case.
        if (TfrmSaving* window = TfrmSaving::instance())
            delete window;
    }

    void hideRightAfterShowIsRefusedAndTheWindowFinishesByItself()
    {
        ShowProgress(QStringLiteral("Building DataBase..."));
        QPointer<TfrmSaving> window = TfrmSaving::instance();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Building DataBase..."));
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!window->isModal());
        HideProgress();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->counter() < 70);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);
        QVERIFY(!TfrmSaving::instance());
    }

    void closeIsGrantedFromSeventy()
    {
        ShowProgress(QStringLiteral("Saving Company Data ..."));
        QPointer<TfrmSaving> window = TfrmSaving::instance();
        QTRY_VERIFY_WITH_TIMEOUT(window && window->counter() >= 70, 10000);
        if (window->counter() >= 100)
            QSKIP("the timer ran to the end before the test could ask");
        QVERIFY(window->progressBar()->value() >= 70);
        HideProgress();
        QVERIFY(!TfrmSaving::instance());
        QTRY_VERIFY(window.isNull());
    }

    void theFirstCaptionWins()
    {
        ShowProgress(QStringLiteral("Building DataBase..."));
        TfrmSaving* first = TfrmSaving::instance();
        ShowProgress(QStringLiteral("Cleaning Database..."));
        QCOMPARE(TfrmSaving::instance(), first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Building DataBase..."));
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<TfrmSaving*>(w) && w->isVisible(); }),
                 1);
    }

    void hideWithoutAWindowDoesNothing()
    {
        QVERIFY(!TfrmSaving::instance());
        HideProgress();
        QVERIFY(!TfrmSaving::instance());
    }

    void aNewWindowAfterTheOldOneClosed()
    {
        ShowProgress(QStringLiteral("First"));
        QPointer<TfrmSaving> first = TfrmSaving::instance();
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 10000);
        ShowProgress(QStringLiteral("Second"));
        QVERIFY(TfrmSaving::instance());
        QCOMPARE(TfrmSaving::instance()->windowTitle(), QStringLiteral("Second"));
        QCOMPARE(TfrmSaving::instance()->size(), QSize(244, 47));
    }
};

VELMAR_TEST_MAIN(TestProgress)
#include "tst_progress.moc"
