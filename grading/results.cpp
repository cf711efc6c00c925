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

void appendResultsLine(Form1Controls& form)
{
    const int grade = boundedInt(NumericValue(form.grade()->caption()), 0, 99);
    const QString line = form.pupil()->caption() + u' ' + u"%1"_s.arg(grade, 2, 10, QChar(u'0'))
        + u" ("_s + form.firstDigitCount()->caption() + u'-' + form.secondDigitCount()->caption()
        + u") "_s + form.startSecond()->caption() + u" s"_s;
    form.List1->appendLine(line);
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
