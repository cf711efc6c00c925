#include "app/startup.h"

#include "text/numeric_value.h"
#include "window/worksheet.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

const QString resultsHeader = u"Nombre      Nota Dif. Tiempo"_s;

const QString helpText
    = u"Realizar la multiplicación igual que lo haríamos en un cuaderno. Elegir los dígitos "
      u"que queramos que tengan los factores desde las barras de la izquierda. Para empezar "
      u"pulsar sobre (Empezar). Cuando multipliquemos el cero poner cero o dejar vacío, "
      u"continuar normalmente. Para terminar pulsar (Terminar)."_s;

// One " ?" per chosen digit; the right-aligned label hides the leading space.
QString questionMarks(int digits)
{
    QString marks;
    for (int k = 0; k < digits; ++k)
        marks = u" ?"_s + marks;
    return marks;
}

} // namespace

void Form_Load(Form1Controls& form)
{
    form.List1->appendLine(resultsHeader);
    form.firstDigitCount()->setCaption(QString::number(form.HScroll1->value()));
    form.secondDigitCount()->setCaption(QString::number(form.HScroll2->value()));
    for (int r = 1; r <= 7; ++r)
        for (Cell* cell : form.row(r))
            cell->setText({});
    // The home lines on which each exercise places its rows.
    for (int k = 0; k < maxRows; ++k)
        form.notebookLine(k)->setTopTwips(form.row(k + 1)[0]->topTwips());
    form.Label17->setCaption(helpText);
    form.platform().seedRandom(form.platform().clock());
}

void HScroll1_Change(Form1Controls& form)
{
    form.Label12->setCaption({});
    form.firstDigitCount()->setCaption(QString::number(form.HScroll1->value()));
    const int digits = boundedInt(NumericValue(form.firstDigitCount()->caption()), 0, 6);
    form.Label12->setCaption(questionMarks(digits));
}

void HScroll2_Change(Form1Controls& form)
{
    form.Label13->setCaption({});
    form.Line1->show();
    form.secondDigitCount()->setCaption(QString::number(form.HScroll2->value()));
    const int digits = boundedInt(NumericValue(form.secondDigitCount()->caption()), 0, 6);
    form.Label13->setCaption(questionMarks(digits));
    // The sign stands one column left of the second factor's leading digit.
    form.Label23->setLeftTwips(form.Text1[digits]->leftTwips());
    // A one-digit second factor has a single row, which already is the product.
    if (digits == 1)
        form.Line1->hide();
    form.Line1->setY1Twips(600 * digits + form.Line2->y1Twips());
    form.Line1->setY2Twips(600 * digits + form.Line2->y2Twips());
}

} // namespace pizarrin
