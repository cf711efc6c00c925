// What a verdict does to the grade, the time, the results list and the window.
#pragma once

namespace pizarrin {

class Form1Controls;

// Replaces the start second by the whole seconds the exercise took.
void recordTimeTaken(Form1Controls& form);

// "7 Abcd       09 (6-3) 95 s": pupil, grade, digit counts and time, in the columns of
// the list's header.
void appendResultsLine(Form1Controls& form);

// Back to choosing the next exercise: "Empezar", the scroll bars and the list shown.
void endExercise(Form1Controls& form);

// One point off for a wrong press; the grade never falls below 0.
void lowerGrade(Form1Controls& form);

} // namespace pizarrin
