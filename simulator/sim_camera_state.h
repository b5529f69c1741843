#ifndef CAMSIM_CAMERA_STATE_H
#define CAMSIM_CAMERA_STATE_H

// What the simulated camera knows about itself. The command side changes it
// (a set-resolution command, autofocus, network parameters); the stream side
// reads the current picture size for every frame it renders.
//
// Thread rules: every member function may be called from any thread; one
// mutex guards the whole state.

#include <mutex>
#include <vector>

namespace camsim {

struct Resolution {
    int width = 0;
    int height = 0;
    int fps = 30;
};

class SimCameraState {
public:
    SimCameraState();

    std::vector<Resolution> resolutions() const;
    void setResolutions(std::vector<Resolution> list);

    Resolution currentResolution() const;
    // Accepts only sizes from the list; returns whether it was accepted.
    bool selectResolution(int width, int height);

private:
    mutable std::mutex mutex_;
    std::vector<Resolution> resolutions_;
    Resolution current_;
};

} // namespace camsim

#endif
