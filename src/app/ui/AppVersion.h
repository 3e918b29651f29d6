// The program's version text and the fixed texts of the About box.
#pragma once

namespace vorn {

// Shown after the version label on the splash, in the About box and in the
// report; the last part of the main window's caption marker.
inline constexpr char kVersionText[] = "(ver 5.0.0.9)";
// The About box's window title names the program and its maker.
inline constexpr char kAboutTitle[] = "VORN \u2013 Battery Test Evaluation \u00b7 VORN Labs";
inline constexpr char kMakerAddress[] = "www.vornlabs.example";

} // namespace vorn
