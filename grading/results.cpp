#include "grading/results.h"

#include "app/form1.h"
#include "grading/numeric_value.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {
constexpr double secondsPerDay = 86400.0;
}

void recordTimeTaken(Form1& form)
{
    double now = form.platform().clock();
    const double start = NumericValue(form.Label21->caption());
    // The clock starts again at midnight: an exercise that ran past it took the rest of
    // the old day as well.
    if (now < start)
        now += secondsPerDay;
    form.Label21->setCaption(numberText(std::floor(now - start)));
}

void appendResultsLine(Form1& form)
{
    const int grade = boundedInt(NumericValue(form.Label16->caption()), 0, 99);
    const QString line = form.Label15->caption() + u' ' + u"%1"_s.arg(grade, 2, 10, QChar(u'0'))
        + u" ("_s + form.Label18->caption() + u'-' + form.Label19->caption() + u") "_s
        + form.Label21->caption() + u" s"_s;
    form.List1->appendLine(line);
}

void endExercise(Form1& form)
{
    form.Command2->hide();
    form.Command1->show();
    form.List1->show();
    form.HScroll1->show();
    form.HScroll2->show();
}

void lowerGrade(Form1& form)
{
    form.Label16->setCaption(numberText(NumericValue(form.Label16->caption()) - 1));
    if (NumericValue(form.Label16->caption()) < 1)
        form.Label16->setCaption(u"0"_s);
}

} // namespace pizarrin
