#include "grading/results.h"

#include "text/numeric_value.h"
#include "window/form1_controls.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {
constexpr double secondsPerDay = 86400.0;
}

void recordTimeTaken(Form1Controls& form)
{
    double now = form.platform().clock();
    const double start = NumericValue(form.startSecond()->caption());
    // The clock starts again at midnight: an exercise that ran past it took the rest of
    // the old day as well.
    if (now < start)
        now += secondsPerDay;
    form.startSecond()->setCaption(numberText(std::floor(now - start)));
}

QString resultsLine(QStringView pupil, int grade, QStringView firstDigits, QStringView secondDigits,
    QStringView seconds)
{
    // One pass over the pattern: a pupil's "%1" is text, not a place to fill.
    const QString twoDigits = u"%1"_s.arg(grade, 2, 10, QChar(u'0'));
    return u"%1 %2 (%3-%4) %5 s"_s.arg(pupil, twoDigits, firstDigits, secondDigits, seconds);
}

void appendResultsLine(Form1Controls& form)
{
    const int grade = boundedInt(NumericValue(form.grade()->caption()), 0, 99);
    form.List1->appendLine(
        resultsLine(form.pupil()->caption(), grade, form.firstDigitCount()->caption(),
            form.secondDigitCount()->caption(), form.startSecond()->caption()));
}

void endExercise(Form1Controls& form)
{
    form.Command2->hide();
    form.Command1->show();
    form.List1->show();
    form.HScroll1->show();
    form.HScroll2->show();
}

void lowerGrade(Form1Controls& form)
{
    form.grade()->setCaption(numberText(NumericValue(form.grade()->caption()) - 1));
    if (NumericValue(form.grade()->caption()) < 1)
        form.grade()->setCaption(u"0"_s);
}

} // namespace pizarrin
