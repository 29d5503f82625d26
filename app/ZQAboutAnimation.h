// ZQAboutAnimation: the motion of the animated about window, apart from its drawing. One record holds
// the counters; the window draws a frame from them, then calls Advance.
//
// The frame counter runs from 0 to 999: below 500 the first credits page shows, from 500 the second.
// A page slides in along x during its first 30 counter values (the first from the left, the second
// from the right, half a unit per value) and, in its last 100 values, moves away along z while it
// turns about the x axis. The title turns about the x and y axes and changes colour slowly.
//
// Plain C++: no window, no OpenGL.
#pragma once

struct ZQAboutAnimation {
    int nFrame;           // the frame counter, 0 to 999
    int nStep;            // added to the counter after each frame
    float fTitleAngle[3]; // the title's turns about the x, y and z axes, in degrees
    float fColourPhase;   // drives the title's colour
    float fTextureAngle;  // the near texture's turn about the z axis, in degrees

    // Step 1; the counter, the angles and the phase 0.
    ZQAboutAnimation();

    // After a frame: the counter grows by the step and restarts at 0 when it reaches 1000; the texture
    // angle falls by the step, the first title angle grows by it, the second falls by it and the
    // colour phase grows by half of it.
    void Advance();

    // The title's colour (red, green, blue, each 0.4 to 0.6) for the colour phase p:
    // 0.5 + 0.1 cos(0.05 p), 0.5 + 0.1 sin(0.04 p), 0.5 + 0.1 cos(p / 17).
    void TitleColour(float rgb[3]) const;

    // Where the credits page of the current frame stands.
    struct Credits {
        int nPage;    // 0 for the first page, 1 for the second
        float x;      // offset along x: -15 or 15 at the page's start, 0 once it has slid in
        float z;      // offset along z: 0, then falling while the page leaves
        float fAngle; // turn about the x axis in degrees: 0, then falling while the page leaves
    };
    Credits CreditsPlacement() const;
};
