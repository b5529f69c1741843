#ifndef CORVANE_FRAME_BYTE_COPIES_H
#define CORVANE_FRAME_BYTE_COPIES_H

// Per-frame copies of the raw JPEG bytes that travel from the worker to the
// GUI thread by queued signal. The worker makes a copy for each frame, the
// receiving slot gives it back once it has used it; copies still travelling
// when the owner goes away are freed with it, so nothing leaks at shutdown.
//
// Thread rules: make() and release() may be called from any thread (one
// mutex); the destructor runs after every thread that used it has stopped.

#include <QMutex>

#include <cstddef>
#include <unordered_set>

class FrameByteCopies {
public:
    FrameByteCopies() = default;
    ~FrameByteCopies();
    FrameByteCopies(const FrameByteCopies &) = delete;
    FrameByteCopies &operator=(const FrameByteCopies &) = delete;

    unsigned char *make(const unsigned char *bytes, int size);
    // Ignores pointers it did not hand out (and null).
    void release(unsigned char *copy);
    std::size_t outstanding() const;

private:
    mutable QMutex mutex_;
    std::unordered_set<unsigned char *> live_;
};

#endif
