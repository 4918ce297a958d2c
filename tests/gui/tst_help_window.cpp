// The help window: its page comes from the resources of the widgets library,
// every section a window may ask for is there, and asking for one scrolls to it.
#include "presentation/trim_window_pages.h"
#include "widgets/help_window.h"
#include "widgets/help_window_names.h"
#include "widgets/qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include <optional>

using namespace hullcalc;

namespace {

// The sections the windows open the help at, from the top of the page.
const QStringList sections = {"workflow", "particulars", "offsets", "masses",  "pages",
                              "charts",   "vibration",   "files",   "keyboard"};

QTextBrowser* helpText(HelpWindow& window)
{
    auto* text = window.findChild<QTextBrowser*>(toQString(helpWindowNames::text));
    if (!text)
        qFatal("no helpText");
    return text;
}

// The block holding the anchor, found as the text browser finds it when asked
// to scroll there.
std::optional<QTextBlock> anchorBlock(const QTextDocument& document, const QString& name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().isAnchor() && block.charFormat().anchorNames().contains(name))
            return block;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorNames().contains(name))
                return block;
        }
    }
    return std::nullopt;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The page is read as UTF-8: the Russian text comes through. "(2.25)" shows
    // what the program refuses; no other number has a point.
    void pageComesFromResourcesWithDecimalCommas()
    {
        HelpWindow window;
        const QString text = helpText(window)->document()->toPlainText();
        QVERIFY(text.contains("Удифферентовка"));
        QVERIFY(text.contains("1,025"));
        const QRegularExpressionMatch point = QRegularExpression(R"(\d+\.\d+)").match(QString(text).remove("(2.25)"));
        QVERIFY2(!point.hasMatch(), qPrintable(point.captured()));
        // Every page of the trim window is described, by its caption.
        for (const TrimWindowPage& page : trimWindowPages())
            QVERIFY2(text.contains(toQString(page.caption)), std::string(page.caption).c_str());
    }

    // Every section a window asks for has its anchor, and asking for it
    // scrolls it into view.
    void showTopicScrollsTheSectionIntoView()
    {
        HelpWindow window;
        QTextBrowser* text = helpText(window);
        QVERIFY(!window.isVisible());
        int previous = -1;
        for (const QString& section : sections) {
            window.showTopic(section);
            QVERIFY(window.isVisible());
            const std::optional<QTextBlock> block = anchorBlock(*text->document(), section);
            QVERIFY2(block, qPrintable(section));
            const qreal top = text->document()->documentLayout()->blockBoundingRect(*block).top();
            const int shown = text->verticalScrollBar()->value();
            QVERIFY2(shown <= top + 1 && top < shown + text->viewport()->height(), qPrintable(section));
            // A later section never shows less of the page's end.
            QVERIFY2(shown >= previous, qPrintable(section));
            previous = shown;
        }
        QVERIFY(text->verticalScrollBar()->value() > 0);
        window.showTopic("workflow");
        QVERIFY(text->verticalScrollBar()->value() < previous);
    }

    // Closing (the frame or Esc) only hides; the window opens within a screen
    // smaller than its usual size.
    void closingOnlyHides()
    {
        QPointer<HelpWindow> window = new HelpWindow;
        const QRect area = window->screen()->availableGeometry();
        window->resize(area.width() + 300, area.height() + 300);
        window->showTopic("files");
        QVERIFY(area.contains(window->geometry()));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->findChild<QTextBrowser*>(toQString(helpWindowNames::text)), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        window->showTopic("files");
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        window->showTopic("keyboard");
        QVERIFY(window->isVisible());
        delete window;
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
