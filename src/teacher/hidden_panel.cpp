#include "teacher/hidden_panel.h"

#include "window/form1_controls.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

// Asks for the access code, typed in front of the pupils, so its echo is masked. The
// answer must match exactly; anything else does nothing and says nothing.
void Label14_Click(Form1Controls& form)
{
    const QString answer = form.platform().inputBox(u"Clave:"_s, u"ATENCIÓN"_s, true);
    if (answer == u"lapicero")
        form.Picture1->show();
}

void Picture1_Click(Form1Controls& form)
{
    form.Picture1->hide();
}

} // namespace pizarrin
