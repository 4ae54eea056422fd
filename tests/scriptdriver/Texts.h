#pragma once
// "print texts" and "check texts": every text a user sees on the screen, and whether it can
// be read.
//
//   glyphs WINDOW "TEXT" X Y W H PX INK BACK
//
// WINDOW is the object name of the drawing window the text is in (the innermost TGraphForm:
// a stack window, the demonstration's drawing) or else of its top-level window (a dialog, a
// message window, the demonstration window); TEXT is quoted as "print drawing" quotes; the
// box is the glyphs' own extent in screen pixels (the screen "shot" composes); PX the font's
// pixel height; INK its colour; BACK the colour around its glyphs: an outline's, halo's or
// opaque cell's where one is drawn, else the colour most seen around the glyphs on the
// composed screen that is not the ink's. Lines come in drawing order: windows from the bottom
// up, each window's controls depth first; texts a later drawing or another window hides
// wholly are left out.
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace script {

struct Glyphs {
  QString window;
  QString text;
  QRect box;
  int px = 0;
  QRgb ink = 0;
  QRgb back = 0;
  bool checked = false;  // of a drawing, dialog or message window: the rules apply
  bool clipped = false;  // not wholly inside its control and every control holding it, or partly hidden
  bool crossed = false;  // a line or mark drawn over it passes through its glyphs
  bool broken = false;   // a memo's line that ends inside a word, number or arrow
  // Of the algorithm or variable window: its font and colours are the window's own (the
  // nesting depth's colour on the theme's backdrop) and it scrolls its long lines sideways,
  // so size, clipped and contrast do not apply; overlap, crossed and broken do.
  bool pane = false;
  QString Line() const;
};

// The shell's own windows: the selection window, the demonstration window with its toolbar,
// and the algorithm, variable, description and call-stack windows. Their texts are listed
// but not checked.
bool ShellWindow(const QWidget& window);
// The drawing windows shown now: every TGraphForm, in the order they were made, then the
// windows of a demonstration's own docked in a pane that are no TGraphForm (the static search
// table, drawn with the kit; the maze's stack window of panels and paint boxes).
std::vector<const QWidget*> DrawingWindows();
// The innermost drawing window holding w (w itself included), or none.
const QWidget* DrawingWindowOf(const QWidget* w);
// The algorithm or variable window holding w (w itself included), or none: the shell's panes
// whose texts the rules read too, the algorithm's text and its values.
const QWidget* ReadPaneOf(const QWidget* w);
// Whether the rules apply to what w shows: it is in a drawing window, the algorithm or the
// variable window, or in a window that is not the shell's.
bool Checked(const QWidget& w);

// The shown top-level windows from the bottom up, as the screen stacks them.
QList<QWidget*> ScreenWindows();
// What the user sees: those windows each at its place on the fixed screen; with
// checkedOnly, of the shell's windows only the drawing windows they hold (what the rules read).
QImage ComposeScreen(const QList<QWidget*>& windows, bool checkedOnly = false);

// Every text shown now, from the windows and the screen composed of them; with checkedOnly,
// only those the rules apply to.
std::vector<Glyphs> GatherTexts(const QList<QWidget*>& windows, const QImage& screen, bool checkedOnly = false);

// The legibility rules, applied to the checked texts (to the algorithm and variable windows'
// only overlap, crossed and broken):
//   size     the font is lower than 13 px (16 px on a screen 1920 wide or more);
//   clipped  cut by its control or a control holding it, or partly hidden;
//   overlap  its box and another's meet by more than 1 px both ways;
//   crossed  a line or mark passes through its glyphs;
//   contrast ink and back differ by less than 3 : 1 (relative luminance);
//   broken   a line of a memo (a log, a result list) ends inside a word, a number or an
//            arrow that goes on at the start of the next ("A-->B--" / ">D").
// One line per finding: "illegible RULE " and the glyphs line (for overlap both, " / "
// between them). allowed11 tells of a text that may go down to 11 px. share: how much of the
// screen the window the user made smaller keeps (the smaller axis' ratio): the least height
// shrinks with it.
QStringList Findings(const std::vector<Glyphs>& texts, QSize screen,
                     const std::function<bool(const Glyphs&)>& allowed11 = {}, double share = 1.0);

// The algorithm window's rows that hold a breakpoint yet look as they would without it (the
// current line, the selected row): "illegible breakpoint PROC ROW "TEXT" -- ...".
QStringList BreakpointFindings();

// The current line as the algorithm window shows it, in screen pixels.
struct CurrentLineView {
  QString proc;       // the executing procedure
  int row = 0;        // the current line's row
  QString text;       // its text
  QString shownProc;  // the procedure whose tab is selected
  QRect rowRect;      // the row's cell; empty when the grid does not lay it out (scrolled away)
  QRect inView;       // the part of the grid's rows that shows: inside every control holding
                      // it, the screen, and not under a pane laid over it
  // Its text across, at the sideways scroll the window has: the left of its first letter,
  // the right of that letter and of its last (all equal for a blank line).
  int textLeft = 0, firstRight = 0, textRight = 0;
  bool scrolled = false;  // the window is scrolled sideways
  int firstRow = 0, lastRow = 0;  // the rows the grid shows, for the finding
};
// The rule "current": while a run stands on a line, that line shows in the algorithm window.
// Its procedure's tab is the one shown, its row lies wholly in view (top to bottom), and
// across, its text shows in the part of the row in view: from its first letter, or, in a
// window scrolled sideways, some of its letters. A line longer than the window is visible
// when its start is: the rest is a scroll away, as for every long line.
// "illegible current PROC ROW "TEXT" -- ..." or nothing.
QString CurrentLineFinding(const CurrentLineView& view);
// The rule applied to the algorithm window now; nothing when no run stands on a line, the
// window is not shown, or browsing (the user chose another procedure's tab or row).
QStringList CurrentLineFindings(bool browsing);

// The contrast ratio of two colours, 1 .. 21.
double ContrastRatio(QRgb a, QRgb b);

// Exceptions to the size rule, one a line: DEMO INPUT PATTERN (words; "..." groups, and
// inside quotes a backslash takes the next character as it is), "#" starts a comment.
// PATTERN is a regular expression a text must match whole; INPUT names the input that forces
// the smaller letters (kept for the reader).
struct SizeException {
  QString demo;
  QString input;
  QString pattern;
};
// Reads them; problems lists the lines that are not understood.
std::vector<SizeException> ParseExceptions(const QString& source, QStringList& problems);

}  // namespace script
