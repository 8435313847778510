// The pause after a made cup: the window keeps responding while the scene
// shows the ball in the cup, and the game sleeps on the event loop meanwhile.
// Elapsed time comes from the monotonic clock, so the pause ends on time also
// when the time of day passes midnight.
#pragma once

namespace dorvanta {

class Platform;

// How long the ball is shown in the cup it was thrown into.
constexpr double kMadeCupPauseSeconds = 3;

// Delivers events as they come until `seconds` have elapsed.
void WaitSeconds(Platform& platform, double seconds);

}  // namespace dorvanta
