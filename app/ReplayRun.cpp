#include "app/ReplayRun.h"

TReplayRun::TReplayRun(TMForm& form, const TReplay& replay) : form_(form), replay_(replay) {
    form_.StartReplayedGame(replay_.Start);
}

bool TReplayRun::Step() {
    if (Finished())
        return false;
    const TReplayFrame& frame = replay_.Frames[frame_++];
    for (uint16_t n = 0; n < frame.EventCount && event_ < replay_.Events.size(); ++n)
        form_.HandleEvent(replay_.Events[event_++]);
    keyboard_.SetKeys(frame.Keys);
    form_.PlayFrame(frame.LagCount, keyboard_, frame.FrameRate, frame.RefreshRate);
    return true;
}
