// The window's design: every control with its name, container, caption, geometry in
// twips, font, colours and visibility at start. Controls are created bottom first, so
// later ones are drawn above earlier ones: lines, pictures and labels lie beneath the
// scroll bars and cells, the help text beneath the results list, and the hidden panel
// above the results list.
#include "app/form1.h"

using namespace Qt::StringLiterals;

namespace pizarrin {

namespace {

constexpr Colour windowBackground = systemColour(SystemColour::WindowBackground);
constexpr Colour windowText = systemColour(SystemColour::WindowText);
constexpr Colour gridBlue = rgbColour(0, 0, 192);

constexpr FontDesign timesBoldItalic(double points)
{
    return {Face::TimesNewRoman, points, true, true};
}

QString indexed(QStringView name, int index)
{
    return name.toString() + u'(' + QString::number(index) + u')';
}

// The home lines of the partial-product rows are 600 twips apart.
constexpr int rowTop(int row)
{
    return 1210 + 600 * (row - 1);
}

constexpr int cellLeft(int row, int index)
{
    if (row == 1 && index == 0)
        return 4860;
    return 4840 - 345 * (index + row - 1);
}

struct PanelLabel {
    QStringView name;
    TwipsRect twips;
    Align align;
};

// The hidden panel: the Worksheet's values and the grading's working fields.
constexpr std::array panelLabels {
    PanelLabel {u"Label1", {60, 45, 975, 255}, Align::Right},
    PanelLabel {u"Label2", {360, 450, 735, 255}, Align::Right},
    PanelLabel {u"Label4", {1575, 300, 855, 255}, Align::Left},
    PanelLabel {u"Label20", {2640, 45, 855, 255}, Align::Left},
    PanelLabel {u"Label21", {2655, 285, 615, 255}, Align::Left},
    PanelLabel {u"Label22", {1635, 60, 825, 195}, Align::Left},
    PanelLabel {u"Label11", {1905, 555, 1095, 255}, Align::Left},
    PanelLabel {u"Label5", {195, 1095, 1470, 255}, Align::Right},
    PanelLabel {u"Label6", {165, 1665, 1335, 255}, Align::Right},
    PanelLabel {u"Label7", {315, 2430, 1080, 255}, Align::Right},
    PanelLabel {u"Label8", {150, 3060, 1095, 255}, Align::Right},
    PanelLabel {u"Label9", {300, 3540, 855, 255}, Align::Right},
    PanelLabel {u"Label10", {0, 4200, 975, 240}, Align::Right},
    PanelLabel {u"Label3", {45, 4635, 1590, 375}, Align::Right},
};

constexpr std::array<TwipsRect, 7> readBackLabels {{
    {2025, 1050, 1200, 270},
    {2025, 1650, 1200, 270},
    {1950, 2415, 1200, 270},
    {1920, 3030, 1200, 270},
    {1845, 3495, 1200, 270},
    {1860, 4110, 1200, 270},
    {2175, 4590, 1485, 270},
}};

constexpr std::array lineMarkerTops {1305, 1875, 2520, 3060, 3735, 4290};

// The place value of each column, from the units, for screen readers.
constexpr std::array<QStringView, 13> placeNames {u"unidades", u"decenas", u"centenas",
    u"unidades de millar", u"decenas de millar", u"centenas de millar", u"unidades de millón",
    u"decenas de millón", u"centenas de millón", u"unidades de millar de millón",
    u"decenas de millar de millón", u"centenas de millar de millón", u"unidades de billón"};

QString cellName(const QString& row, int column)
{
    return row + u", "_s + placeNames[std::size_t(column)].toString();
}

} // namespace

void Form1::createControls()
{
    Shape1 = new Shape({u"Shape1", {90, 60, 6450, 6615}, rgbColour(255, 128, 0), 4}, this);

    Label15 = new Label({.name = u"Label15",
                            .caption = u"Nombre",
                            .twips = {6375, 0, 3060, 630},
                            .font = timesBoldItalic(20.25),
                            .fore = rgbColour(0, 0, 192),
                            .transparent = true,
                            .align = Align::Centre,
                            .description = u"Alumno"},
        this);
    Label16 = new Label({.name = u"Label16",
                            .caption = u"10",
                            .twips = {9435, 0, 435, 465},
                            .font = timesBoldItalic(20.25),
                            .transparent = true,
                            .align = Align::Centre,
                            .description = u"Nota"},
        this);
    Label17 = new Label({.name = u"Label17",
                            .caption = u"Label17",
                            .twips = {6855, 1170, 3090, 2040},
                            .back = windowBackground,
                            .fore = windowText,
                            .align = Align::Centre,
                            .description = u"Ayuda"},
        this);

    // The worksheet page, ruled like squared notebook paper.
    Picture2 = new Panel({u"Picture2", {405, 330, 5835, 5775}, windowBackground}, this);
    for (int k = 0; k < int(Line3.size()); ++k) {
        const int y = 600 * (k + 1);
        Line3[k] = new Line({indexed(u"Line3", k), 0, y, 5980, y, gridBlue, 1}, Picture2);
    }
    for (int k = 0; k < int(Line4.size()); ++k) {
        const int x = 345 * (k + 1);
        const int bottom = k < 4 ? 6220 : 5760; // the four leftmost reach further down
        Line4[k] = new Line({indexed(u"Line4", k), x, 0, x, bottom, gridBlue, 1}, Picture2);
    }
    Line1 = new Line({u"Line1", 360, 2995, 5190, 2995, windowText, 2}, Picture2);
    Line2 = new Line({u"Line2", 2745, 1200, 5160, 1200, windowText, 2}, Picture2);

    Image2
        = new Image({u"Image2", {720, 3030, 360, 375}, Picture::Tick, false, u"Marca"}, Picture2);
    Image3
        = new Image({u"Image3", {690, 3735, 345, 345}, Picture::Cross, false, u"Marca"}, Picture2);
    for (int k = 0; k < int(Image1.size()); ++k) {
        const QString row = k < 6 ? u"Fila %1"_s.arg(k + 1) : u"Producto"_s;
        Image1[k] = new Image(
            {indexed(u"Image1", k), {5175, 1200 + 600 * k, 495, 495}, Picture::None, false, row},
            Picture2);
    }

    const FontDesign factorFont {Face::TimesNewRoman, 24.0, true, false};
    Label12 = new Label({.name = u"Label12",
                            .caption = u"? ? ? ? ? ?",
                            .twips = {2730, 0, 2430, 495},
                            .font = factorFont,
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Primer factor"},
        Picture2);
    Label13 = new Label({.name = u"Label13",
                            .caption = u"? ? ?",
                            .twips = {2730, 600, 2430, 495},
                            .font = factorFont,
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Segundo factor"},
        Picture2);
    Label23 = new Label({.name = u"Label23",
                            .caption = u"x",
                            .twips = {3825, 630, 240, 495},
                            .font = {Face::MsSansSerif, 24.0, true, false},
                            .transparent = true,
                            .align = Align::Right,
                            .description = u"Por"},
        Picture2);
    Label14 = new Label({.name = u"Label14",
                            .caption = u"MAL",
                            .twips = {1365, 180, 1635, 555},
                            .font = timesBoldItalic(27.75),
                            .transparent = true,
                            .align = Align::Centre,
                            .visible = false,
                            .description = u"Corrección"},
        Picture2);
    // The two digit counts: hidden boxes, Label19 drawn as Label18.
    LabelDesign digitCount {.name = u"Label18",
        .caption = u"6",
        .twips = {1380, 165, 345, 345},
        .back = windowBackground,
        .fore = windowText,
        .align = Align::Centre,
        .border = true,
        .visible = false};
    Label18 = new Label(digitCount, Picture2);
    digitCount.name = u"Label19";
    digitCount.caption = u"3";
    digitCount.twips = {1335, 780, 345, 345};
    Label19 = new Label(digitCount, Picture2);
    for (int k = 0; k < int(Label24.size()); ++k) {
        const QString name = indexed(u"Label24", k);
        Label24[k] = new Label({.name = name,
                                   .caption = u"0",
                                   .twips = {390, lineMarkerTops[k], 270, 360},
                                   .align = Align::Centre,
                                   .visible = false},
            Picture2);
    }
    Label25 = new Label(
        {.name = u"Label25", .caption = u"0", .twips = {1065, 1350, 255, 255}, .visible = false},
        Picture2);

    HScroll1 = new ScrollBar(
        {u"HScroll1", {90, 135, 1215, 375}, 1, 6, 6, u"Cifras del primer factor"}, Picture2);
    HScroll2 = new ScrollBar(
        {u"HScroll2", {90, 750, 1215, 375}, 1, 6, 3, u"Cifras del segundo factor"}, Picture2);

    const std::array<std::array<Cell*, 7>*, 6> partialRows {
        &Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    for (int r = 1; r <= 6; ++r) {
        auto& cells = *partialRows[r - 1];
        for (int j = 0; j < int(cells.size()); ++j) {
            const QString name = indexed(u"Text"_s + QString::number(r), j);
            cells[j] = new Cell({name, {cellLeft(r, j), rowTop(r), 310, 555},
                                    j == 0 ? rgbColour(255, 255, 192) : windowBackground,
                                    cellName(u"Fila %1"_s.arg(r), j + r - 1)},
                Picture2);
        }
    }
    for (int c = 0; c < int(Text7.size()); ++c) {
        const int top = c == 12 ? 4830 : 4810;
        Text7[c] = new Cell(
            {indexed(u"Text7", c), {4840 - 345 * c, top, 310, 555},
                c == 0 ? rgbColour(255, 255, 192) : windowBackground, cellName(u"Producto"_s, c)},
            Picture2);
    }

    List1 = new ListBox({u"List1", {6615, 570, 3540, 5460}, u"Resultados"}, this);

    // Drawn above the results list where they overlap, so the panel is readable
    // whether or not the list is shown.
    Picture1 = new Panel(
        {u"Picture1", {6405, 570, 4110, 5460}, systemColour(SystemColour::ButtonFace), true, false},
        this);
    std::array<Label**, 14> panelMembers {&Label1, &Label2, &Label4, &Label20, &Label21, &Label22,
        &Label11, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label3};
    for (std::size_t k = 0; k < panelLabels.size(); ++k) {
        const PanelLabel& design = panelLabels[k];
        const QStringView caption = design.name == u"Label22" ? QStringView(u"0") : design.name;
        *panelMembers[k] = new Label(
            {.name = design.name, .caption = caption, .twips = design.twips, .align = design.align},
            Picture1);
    }
    for (int k = 0; k < int(Label26.size()); ++k) {
        const QString name = indexed(u"Label26", k);
        Label26[k]
            = new Label({.name = name, .caption = name, .twips = readBackLabels[k]}, Picture1);
    }

    Command3 = new Button(
        {u"Command3", u"?", {8205, 6165, 400, 400}, true, u"Ayuda", u"Muestra u oculta la ayuda"},
        this);
    Command1 = new Button({u"Command1", u"Empezar", {2760, 6180, 1335, 375}, true, u"Empezar",
                              u"Empieza un ejercicio nuevo"},
        this);
    Command2 = new Button({u"Command2", u"Terminar", {2760, 6180, 1335, 375}, false, u"Terminar",
                              u"Corrige el ejercicio"},
        this);

    Timer1 = new Timer(u"Timer1", 2000, this);
}

void Form1::setFocusOrder()
{
    // Tab visits the results list, the scroll bars, the cells from the product row up to
    // row 1, then the buttons. Row 1 keeps its design's order, with index 3 before 4.
    std::vector<QWidget*> order {List1, HScroll2, HScroll1};
    for (int c = 12; c >= 0; --c)
        order.push_back(Text7[c]);
    for (const auto* cells : {&Text6, &Text5, &Text4, &Text3, &Text2})
        for (int j = 6; j >= 0; --j)
            order.push_back((*cells)[j]);
    for (int j : {6, 5, 3, 4, 2, 1, 0})
        order.push_back(Text1[j]);
    order.insert(order.end(), {Command2, Command1, Command3});
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

} // namespace pizarrin
