#include "grading/verdict_timer.h"

#include "window/form1_controls.h"

namespace pizarrin {

// The verdict "MAL" leaves the page once; the timer fires once for each enabling.
void Timer1_Timer(Form1Controls& form)
{
    form.Timer1->disable();
    form.verdict()->hide();
}

} // namespace pizarrin
