#pragma once
// The program's eight windows. Each is created once at start-up, hidden, in this order, and
// lives until the program ends; every window reaches the others through these references.
namespace forms {

class TForm6;        // language chooser, the application's main window
class TForm1;        // main window: board, status bars, menu, game loop
class TAboutBox;     // About box
class TOKBottomDlg;  // new-game dialog
class TForm2;        // high-score window
class TForm3;        // game-over window
class TForm4;        // turn indicator
class TForm5;        // rules window

extern TForm6* Form6;
extern TForm1* Form1;
extern TAboutBox* AboutBox;
extern TOKBottomDlg* OKBottomDlg;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;

// Creates the windows in start-up order; each global is set before the next window is built.
void CreateWindows();
// Destroys them in reverse order and clears the references.
void DestroyWindows();

// The language is not stored anywhere: the chooser's radio buttons are read whenever a
// language-dependent text is needed.
bool EnglishChecked();
bool CzechChecked();

// Shows one of the secondary windows (the game-over window fills itself in first).
enum class Secondary { NewGame, HighScore, Rules, About, GameOver };
void ShowSecondary(Secondary which);

// Enables or disables the main window (a disabled main window takes no input, its menu and
// shortcuts included, while its timers go on).
void SetMainEnabled(bool enabled);

}  // namespace forms
