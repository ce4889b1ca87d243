#pragma once

// The folder of the user's own lists, "Custom Vocab", shown in the desktop's file manager; where
// none answers, its full path is told and put on the clipboard, so it can be pasted elsewhere.
namespace lists_folder {

void open();

} // namespace lists_folder
