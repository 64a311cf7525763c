#pragma once

#include <string>
#include <string_view>

namespace fx {

// A folder text of the definition ("basedir", "presetpath", "imgpath") names a folder
// below the application-data folders, and nothing else: a definition may come from
// anyone, and a folder such as "../../.." would make the preset popup list files from the
// whole file system. So the text is split at "/" and "\" and these levels are dropped:
// empty ones (a leading separator makes a path absolute), ones made only of dots and
// spaces ("..", ".", and "... " which Windows reads as "."), and ones holding ":" (a
// drive letter or a Windows stream name). The remaining levels are joined with "\".
struct DataSubfolder {
    std::string folder;
    bool dropped = false;  // a level other than a trailing or doubled separator was dropped
};

DataSubfolder data_subfolder(std::string_view text);

}  // namespace fx
