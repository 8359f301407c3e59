#pragma once

// Ribbon command ids.
enum FrameCommand : int {
    kCmdOpen = 313,
    kCmdStop = 314,
    kCmdSave = 315,
    kCmdLoadSnapshot = 317,
    kCmdSaveSnapshot = 318,
    kCmdHelp = 319,
    kCmdAbout = 320,
};
