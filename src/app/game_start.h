// The start of a game, alike on every desktop, before the main window reads
// the data file: in the player's own data folder when the launcher started it,
// else in the working folder, and with a data file that lets the player set
// high scores. A file that is missing or ends early gets the values it lacks
// as a new player's file has them: no high-score holders, and this machine's
// speed measured, with a notice on screen meanwhile. A second game started
// while the first measures waits for that file, behind the same notice, and
// uses it.
#pragma once

namespace dorvanta {

class FormMain;
class Platform;

enum class DataFolder { Working, Player };

// Prepares the data file in the working folder, if it needs it.
void PrepareDataFile(Platform& platform);

// Enters the data folder, prepares the data file and opens the main window.
void StartGame(Platform& platform, FormMain& main, DataFolder folder);

}  // namespace dorvanta
