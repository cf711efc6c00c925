#include "help/help_button.h"

#include "window/form1_controls.h"

namespace pizarrin {

// Swaps the results list for the help text beneath it, and back.
void Command3_Click(Form1Controls& form)
{
    if (form.List1->isShown())
        form.List1->hide();
    else
        form.List1->show();
}

} // namespace pizarrin
