// What happened to the player during a frame, for whatever reacts to it besides
// the console (the sound). The game sets these where it acts; the frame loop
// reads them once the frame's game update is done and clears them.
//
// They record, they never decide: nothing in the game reads them back.
#pragma once

struct PlayerEvents {
    bool jumped = false;        // a jump started from the ground
    bool landed = false;        // the capsule came down on the ground
    float landingSpeed = 0.0f;  // downward speed just before landing (units per second)
    int bites = 0;              // spider hits that cost health ("Health: " lines)
    bool gameOver = false;      // "Game Over!"
    bool won = false;           // "You won!"
    bool respawned = false;     // sent back to the checkpoint (death, hazard, fall)
    bool restarted = false;     // F9: "Restart"
    bool quickSaved = false;    // F11: "Quick Save"
};
