// ZQAboutAnimation: the about window's motion (see ZQAboutAnimation.h).
#include "app/ZQAboutAnimation.h"

#include <cmath>

namespace {

const int kFrames = 1000;     // the counter restarts here
const int kPageFrames = 500;  // counter values per credits page
const int kSlideFrames = 30;  // a page slides in during its first values
const int kLeaveFrame = 400;  // ... and leaves after this value of its own
const float kSlideStart = 15; // how far from its place a page starts
const float kSlideSpeed = 0.5f;

} // namespace

ZQAboutAnimation::ZQAboutAnimation()
    : nFrame(0), nStep(1), fTitleAngle{0, 0, 0}, fColourPhase(0), fTextureAngle(0)
{
}

void ZQAboutAnimation::Advance()
{
    nFrame += nStep;
    if (nFrame >= kFrames)
        nFrame = 0;
    fTextureAngle -= float(nStep);
    fTitleAngle[0] += float(nStep);
    fTitleAngle[1] -= float(nStep);
    fColourPhase += float(nStep) / 2;
}

void ZQAboutAnimation::TitleColour(float rgb[3]) const
{
    const float p = fColourPhase;
    rgb[0] = 0.5f + 0.1f * std::cos(0.05f * p);
    rgb[1] = 0.5f + 0.1f * std::sin(0.04f * p);
    rgb[2] = 0.5f + 0.1f * std::cos(p / 17);
}

ZQAboutAnimation::Credits ZQAboutAnimation::CreditsPlacement() const
{
    Credits credits = {nFrame < kPageFrames ? 0 : 1, 0, 0, 0};
    const int nOwn = nFrame - credits.nPage * kPageFrames; // the counter within the page
    if (nOwn < kSlideFrames) {
        const float fLeft = kSlideStart - kSlideSpeed * float(nOwn);
        credits.x = credits.nPage == 0 ? -fLeft : fLeft;
    }
    if (nOwn > kLeaveFrame) {
        const float fAway = float(nOwn - kLeaveFrame) * float(nStep);
        credits.z = -fAway / 3;
        credits.fAngle = -fAway;
    }
    return credits;
}
