#pragma once

namespace kadrex {

// Image 0: every batch source is loaded into it, and the editor edits it; the two share it.
inline constexpr int kWorkingImage = 0;

}  // namespace kadrex
