#include "app/auxiliary.h"

#include "app/form1.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

// Swaps the results list for the help text beneath it, and back.
void Command3_Click(Form1& form)
{
    if (form.List1->isShown())
        form.List1->hide();
    else
        form.List1->show();
}

// Asks for the access code, typed in front of the pupils, so its echo is masked. The
// answer must match exactly; anything else does nothing and says nothing.
void Label14_Click(Form1& form)
{
    const QString answer = form.platform().inputBox(u"Clave:"_s, u"ATENCIÓN"_s, true);
    if (answer == u"lapicero")
        form.Picture1->show();
}

void Picture1_Click(Form1& form)
{
    form.Picture1->hide();
}

// The verdict "MAL" leaves the page once; the timer fires once for each enabling.
void Timer1_Timer(Form1& form)
{
    form.Timer1->disable();
    form.Label14->hide();
}

} // namespace pizarrin
