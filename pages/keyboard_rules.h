#pragma once

class QAbstractButton;
class QWidget;

// The pages' keyboard, for an installer who keeps both hands on it:
// - an Alt+letter combination never types its letter into a text box (some
//   platforms insert "f" for an Alt+F that no menu took); AltGr text still
//   goes in;
// - Enter on a focused push button presses it, as Space does.
// Applies to the text boxes and push buttons `page` holds when called: call
// it once the page is built.
void InstallKeyboardRules(QWidget &page);

// Esc anywhere on `page` presses `returnButton` (the sensor page's 返回主页).
void InstallEscapeButton(QWidget &page, QAbstractButton &returnButton);
