// The desktop's own rendering of the states that tools/web test reaches in a browser,
// and where the desktop places the controls it clicks there. It drives the real window
// through real clicks and keys, as the browser test does, on the offscreen platform.
//   pizarrin_web_reference OUT                       start.png and start.json: the window
//       at start-up, its size, with the bars and buttons
//   pizarrin_web_reference OUT FIRST SECOND T...     exercise.json: what to type where for
//       FIRST x SECOND, one row first written wrong; wrong.png after the wrong "Terminar";
//       right-T.png after the right one, for each time T in seconds
// The pictures are drawn at QT_SCALE_FACTOR, the browser's scale; positions and sizes are
// in the design's pixels.
#include "support/harness.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace pizarrin;
using namespace pizarrin::testing;

namespace {

const QString pupil = u"7 Abcd"_s;

QJsonArray box(const Form1& form, const QWidget* control)
{
    const QPoint at = control->mapTo(&form, QPoint(0, 0));
    return {at.x(), at.y(), control->width(), control->height()};
}

bool write(const QString& path, const QJsonObject& object)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(object).toJson()) >= 0
        && file.commit();
}

bool save(Form1& form, const QString& path)
{
    for (int k = 0; k < 10; ++k)
        QCoreApplication::processEvents();
    return form.grab().save(path);
}

struct Row {
    Cell* units;
    Cell* tens;
    QString written; // from the units digit leftwards, as typed
};

QString reversed(QString text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

// Every row shown, with what a right answer types into it: the partial products (a zero
// row takes its 0), then the product when there is a product row.
QList<Row> rightAnswers(const Form1& form)
{
    QList<Row> rows;
    const int count = form.rowCount()->caption().toInt();
    for (int r = 1; r <= count; ++r) {
        const auto cells = form.row(r);
        rows.append({cells[0], cells[1], reversed(form.expectedPartialProduct(r)->caption())});
    }
    if (!form.Text7[0]->isHidden()) {
        rows.append({form.Text7[0], form.Text7[1], reversed(form.product()->caption())});
    }
    return rows;
}

void writeRow(const Row& row)
{
    QTest::mouseClick(row.units, Qt::LeftButton);
    keys(row.written);
}

// The first row that is not a zero row is written with its units digit one more than it
// should be, then mended: a click on its tens cell, Right, End, Backspace and the right
// digit. (A zero row's one cell hands the focus on as soon as a key is pressed in it.)
qsizetype rowToGetWrong(const QList<Row>& rows)
{
    for (qsizetype k = 0; k < rows.size(); ++k)
        if (rows[k].written != u"0")
            return k;
    return 0;
}

QChar wrongDigit(QChar right)
{
    return QChar(u'0' + (right.digitValue() + 1) % 10);
}

int startUp(const QDir& out)
{
    Window window;
    window.open();
    const Form1& form = *window;
    QJsonObject controls;
    for (const QWidget* control : std::initializer_list<const QWidget*> {
             form.HScroll1, form.HScroll2, form.Command1, form.Command2, form.Command3})
        controls.insert(control->objectName(), box(form, control));
    const bool saved = save(*window, out.filePath(u"start.png"_s));
    const QJsonObject start {
        {u"controls"_s, controls}, {u"size"_s, QJsonArray {form.width(), form.height()}}};
    return saved && write(out.filePath(u"start.json"_s), start) ? 0 : 1;
}

// One exercise to the end, finished `seconds` after "Empezar"; with `plan`, its rows and
// wrong.png are written too.
bool exercise(const QDir& out, long long first, long long second, int seconds, bool plan)
{
    Window window;
    window.open();
    window.start(first, second, pupil);
    const Form1& form = *window;
    const QList<Row> rows = rightAnswers(form);

    const qsizetype w = rowToGetWrong(rows);
    QList<Row> wrong = rows;
    wrong[w].written[0] = wrongDigit(rows[w].written[0]);
    for (const Row& row : wrong)
        writeRow(row);
    window.finish();
    if (plan) {
        QJsonArray planned;
        for (qsizetype k = 0; k < rows.size(); ++k)
            planned.append(QJsonObject {{u"cell"_s, rows[k].units->objectName()},
                {u"box"_s, box(form, rows[k].units)}, {u"right"_s, rows[k].written},
                {u"wrong"_s, wrong[k].written}});
        const QJsonObject exercise {{u"pupil"_s, pupil}, {u"rows"_s, planned},
            {u"Command2"_s, box(form, form.Command2)}, {u"mend"_s, box(form, rows[w].tens)},
            {u"mendDigit"_s, rows[w].written.left(1)}};
        if (!write(out.filePath(u"exercise.json"_s), exercise)
            || !save(*window, out.filePath(u"wrong.png"_s)))
            return false;
    }
    // The verdict goes after its two seconds; the pupil then mends the wrong row.
    QTest::qWait(2100);
    QTest::mouseClick(rows[w].tens, Qt::LeftButton);
    keys(u"{Right}{End}{Backspace}"_s + rows[w].written.left(1));
    window.script->clock += static_cast<float>(seconds);
    window.finish();
    return save(*window, out.filePath(u"right-%1.png"_s.arg(seconds)));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return 2;
    const QDir out(args[0]);
    if (args.size() == 1)
        return startUp(out);
    if (args.size() < 4)
        return 2;
    const long long first = args[1].toLongLong();
    const long long second = args[2].toLongLong();
    for (qsizetype k = 3; k < args.size(); ++k)
        if (!exercise(out, first, second, args[k].toInt(), k == 3))
            return 1;
    return 0;
}
