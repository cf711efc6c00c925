// The window at one device pixel ratio (QT_SCALE_FACTOR, one CTest entry per ratio):
// the layout keeps its proportions, every cell stays inside its grid square, texts fit
// their controls, and the tick and the cross are drawn at the screen's resolution.
#include "support/harness.h"

#include "toolkit/controls/pictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

qreal expectedRatio()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

bool bluish(QRgb pixel)
{
    return qBlue(pixel) > qRed(pixel) + 40 && qBlue(pixel) > qGreen(pixel) + 40;
}

// The runs of pixels that pass `inRun` along one pixel row or column: {start, width}.
template <class Test> QList<QPoint> runs(const QImage& image, bool alongRow, int at, Test inRun)
{
    QList<QPoint> found;
    const int length = alongRow ? image.width() : image.height();
    for (int k = 0; k < length; ++k) {
        if (!inRun(alongRow ? image.pixel(k, at) : image.pixel(at, k)))
            continue;
        if (!found.isEmpty() && found.last().x() + found.last().y() == k)
            found.last().ry() += 1;
        else
            found.append({k, 1});
    }
    return found;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scalesTheWholeWindow();
    void keepsEveryCellInsideItsSquare();
    void drawsEvenRulingsAndOutlines();
    void fitsTextsInTheirControls();
    void drawsMarksAtTheScreensResolution();
};

void TestHiDpi::scalesTheWholeWindow()
{
    Window window;
    QVERIFY(window.open());
    QCOMPARE(window->devicePixelRatio(), expectedRatio());
    // Logical geometry does not depend on the ratio: Qt scales it as a whole.
    QCOMPARE(window->size(), QSize(686, 450));
    QCOMPARE(window->Text1[0]->geometry(), QRect(324, 81, 21, 37));
    const QImage frame = window->grab().toImage();
    QCOMPARE(frame.size(), (QSizeF(686, 450) * expectedRatio()).toSize());
}

void TestHiDpi::keepsEveryCellInsideItsSquare()
{
    Window window;
    QVERIFY(window.open());
    window.start(987654, 123456);
    const qreal ratio = expectedRatio();
    const QImage page = window->Picture2->grab().toImage();
    for (int r = 1; r <= 7; ++r) {
        for (const Cell* cell : window->row(r)) {
            // The square's vertical lines lie every 345 twips (23 pixels), its horizontal
            // lines every 600 (40 pixels); the cell must keep clear of all four.
            const QRect box = cell->geometry();
            const int leftLine = (box.left() / 23) * 23;
            const int rightLine = leftLine + 23;
            const int topLine = (box.top() / 40) * 40;
            QVERIFY2(
                box.left() > leftLine && box.right() < rightLine, qPrintable(cell->objectName()));
            QVERIFY2(
                box.top() > topLine && box.bottom() < topLine + 40, qPrintable(cell->objectName()));
            // On screen, the grid line beside the cell is still the grid's blue: one of
            // the device pixels that its one logical pixel covers.
            const int y = qRound((box.top() + box.height() / 2) * ratio);
            bool lineSeen = false;
            for (int x = int(leftLine * ratio); x < int(std::ceil((leftLine + 1) * ratio)); ++x)
                lineSeen = lineSeen || bluish(page.pixel(x, y));
            QVERIFY2(lineSeen, qPrintable(cell->objectName()));
        }
    }
}

void TestHiDpi::drawsEvenRulingsAndOutlines()
{
    Window window;
    QVERIFY(window.open());
    const qreal ratio = expectedRatio();
    const int oneLogicalPixel = std::max(1, int(std::lround(ratio)));
    const QImage page = window->Picture2->grab().toImage();
    // A row below the last horizontal ruling crosses the 16 vertical ones; a column left
    // of the scroll bars crosses the 9 horizontal ones. Each is one logical pixel, the
    // same whole number of device pixels, and the squares differ by a device pixel at most.
    const QList<QPoint> vertical = runs(page, true, int(372 * ratio), bluish);
    const QList<QPoint> horizontal = runs(page, false, int(3 * ratio), bluish);
    QCOMPARE(vertical.size(), 16);
    QCOMPARE(horizontal.size(), 9);
    for (const QList<QPoint>& rulings : {vertical, horizontal}) {
        int narrowest = page.width();
        int widest = 0;
        for (int k = 0; k < rulings.size(); ++k) {
            QCOMPARE(rulings[k].y(), oneLogicalPixel);
            if (k > 0) {
                narrowest = std::min(narrowest, rulings[k].x() - rulings[k - 1].x());
                widest = std::max(widest, rulings[k].x() - rulings[k - 1].x());
            }
        }
        QVERIFY2(widest - narrowest <= 1, qPrintable(u"%1 to %2"_s.arg(narrowest).arg(widest)));
    }
    // Across the first row of cells, every cell's left and right outline.
    const int middle = int((window->Text1[3]->geometry().center().y()) * ratio);
    const QRgb outline = window->Text1[3]->palette().color(QPalette::Mid).rgb();
    const QList<QPoint> edges
        = runs(page, true, middle, [outline](QRgb p) { return p == outline; });
    QCOMPARE(edges.size(), 14);
    for (const QPoint& edge : edges)
        QCOMPARE(edge.y(), oneLogicalPixel);
}

void TestHiDpi::fitsTextsInTheirControls()
{
    Window window;
    QVERIFY(window.open());
    window.start(987654, 123456, u"12 Bartolomé"_s);
    window->verdict()->setCaption(u"BIEN"_s);
    // The ink of the text, on its first line's baseline, lies inside the control.
    auto fits = [](const QWidget* control, const QString& text) {
        const QFontMetrics metrics(control->font());
        const QRect ink = metrics.tightBoundingRect(text);
        return ink.width() <= control->width() && metrics.ascent() + ink.top() >= 0
            && metrics.ascent() + ink.bottom() <= control->height();
    };
    for (const Label* label : {window->Label12, window->Label13, window->verdict(), window->pupil(),
             window->grade(), window->Label23})
        QVERIFY2(fits(label, label->caption()), qPrintable(label->objectName()));
    QVERIFY(fits(window->Text1[0], u"8"_s));
    QVERIFY(fits(window->Command1, window->Command1->text()));
    // The multiplication sign stands low beside the second factor, its foot at or below
    // the digits' foot, whichever line metrics the installed version of its face asks for.
    const qreal ratio = expectedRatio();
    const QImage page = window->Picture2->grab().toImage();
    auto foot = [&](const QWidget* label) {
        const QRect box = label->geometry();
        int lowest = -1;
        for (int y = qRound(box.top() * ratio); y < qRound(box.bottom() * ratio); ++y)
            for (int x = qRound(box.left() * ratio); x < qRound(box.right() * ratio); ++x)
                if (QColor(page.pixel(x, y)).value() < 100)
                    lowest = y;
        return lowest;
    };
    QVERIFY2(foot(window->Label23) >= foot(window->Label13),
        qPrintable(
            u"x at %1, digits at %2"_s.arg(foot(window->Label23)).arg(foot(window->Label13))));
    const QFontMetrics list(window->List1->font());
    QVERIFY(list.horizontalAdvance(u"12 Bartolomé 10 (6-6) 86399 s"_s)
        < window->List1->viewport()->width());
}

void TestHiDpi::drawsMarksAtTheScreensResolution()
{
    Window window;
    QVERIFY(window.open());
    const qreal ratio = expectedRatio();
    for (const auto& [source, picture] :
        {std::pair {window->Image2, Picture::Tick}, std::pair {window->Image3, Picture::Cross}}) {
        source->show();
        const QImage drawn = source->grab().toImage();
        QCOMPARE(drawn.size(), (QSizeF(source->size()) * ratio).toSize());
        if (ratio < 2)
            continue;
        // A mark drawn at the screen's resolution is not the one-pixel picture enlarged:
        // its edges are finer than two-by-two blocks.
        QImage small(pictureSize(picture), QImage::Format_ARGB32_Premultiplied);
        small.fill(Qt::transparent);
        QPainter painter(&small);
        drawPicture(painter, picture);
        painter.end();
        const QImage enlarged
            = small.scaled(small.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int finer = 0;
        for (int y = 0; y < enlarged.height(); ++y)
            for (int x = 0; x < enlarged.width(); ++x)
                finer += qAlpha(drawn.pixel(x, y)) != qAlpha(enlarged.pixel(x, y)) ? 1 : 0;
        QVERIFY2(
            finer > 40, qPrintable(u"%1: %2 pixels differ"_s.arg(source->objectName()).arg(finer)));
    }
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
