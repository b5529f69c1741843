// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_OPEN_MP_LIMIT_H
#define CORVANE_OPEN_MP_LIMIT_H

// Tesseract splits its network over OpenMP threads. On a machine with two
// cores that also decode and paint a live picture, those threads wait for
// each other and a page takes several times longer than on one thread, so
// recognition runs on the thread that asks for it and nothing else:
// OMP_THREAD_LIMIT=1.
//
// The OpenMP runtime reads its environment once, when it is loaded, which
// is before main() for a program linked with Tesseract: setting the
// variable at run time changes nothing. So the loaded runtime is told to
// allow no active parallel region (omp_set_max_active_levels(0), looked up
// at run time, so nothing here depends on which runtime is present): every
// region then runs on the thread that enters it, as with the variable set.
// An OMP_THREAD_LIMIT the person set in the environment is left to rule.
//
// Thread rules: call before the first recognition; any thread, once or
// more (later calls change nothing). Process-wide.

namespace ocr {

// True when a loaded OpenMP runtime was limited; false when there is none
// (nothing to limit) or the environment sets its own limit.
bool limitOpenMpToOneThread();

} // namespace ocr

#endif
