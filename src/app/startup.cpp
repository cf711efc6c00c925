#include "app/startup.h"

#include "grading/results.h"
#include "help/help_button.h"
#include "window/worksheet.h"

namespace pizarrin {

void Form_Load(Form1Controls& form)
{
    form.List1->appendLine(resultsHeader.toString());
    form.firstDigitCount()->setCaption(QString::number(form.HScroll1->value()));
    form.secondDigitCount()->setCaption(QString::number(form.HScroll2->value()));
    for (int r = 1; r <= answerRows; ++r)
        for (Cell* cell : form.row(r))
            cell->setText({});
    // The home lines on which each exercise places its rows.
    for (int r = 1; r <= maxRows; ++r)
        form.rowLine(r)->setTopTwips(form.row(r)[0]->topTwips());
    form.Label17->setCaption(helpText.toString());
    form.platform().seedRandom(form.platform().clock());
}

} // namespace pizarrin
