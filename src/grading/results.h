// What a verdict does to the grade, the time, the results list and the window.
#pragma once

#include <QString>
#include <QStringView>

namespace pizarrin {

// The results list's header and the line each exercise finished right adds under it,
// "7 Abcd       09 (6-3) 95 s": the pupil's 12 characters, the grade in two digits
// under "Nota", the digit counts under "Dif." and the time from "Tiempo" on.
inline constexpr QStringView resultsHeader = u"Nombre      Nota Dif. Tiempo";
QString resultsLine(QStringView pupil, int grade, QStringView firstDigits, QStringView secondDigits,
    QStringView seconds);

class Form1Controls;

// Replaces the start second by the whole seconds the exercise took.
void recordTimeTaken(Form1Controls& form);

// The exercise's results line, at the end of the list.
void appendResultsLine(Form1Controls& form);

// Back to choosing the next exercise: "Empezar", the scroll bars and the list shown.
void endExercise(Form1Controls& form);

// One point off for a wrong press; the grade never falls below 0.
void lowerGrade(Form1Controls& form);

} // namespace pizarrin
