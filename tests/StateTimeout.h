#pragma once

// How long a test waits for a state (a window shown, a copy written, a dialog
// closed) before it fails. Generous on purpose: a state that arrives in
// milliseconds on an idle machine can take seconds on a loaded one, and a test
// that passes stops waiting as soon as the state is there.
inline constexpr int kStateTimeoutMs = 60000;
