#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/EscPos.h"

namespace kelvo::test {

// What a receipt printer makes of an ESC/POS job, for the commands Kelvo sends: ESC @,
// GS v 0 raster blocks, ESC d and GS V. Any other byte ends the reading with an error.
struct PrintedJob {
    bool Initialised = false;    // the job began with ESC @
    MonoRaster Picture;          // the raster blocks one below the other
    std::vector<int> BlockRows;  // the rows of each block
    int FedLines = 0;            // lines fed after the picture
    bool Cut = false;            // a cut command came last
    std::string Error;           // "" when every byte was understood
};

// Reads a job as a printer would.
PrintedJob readEscPos(std::string_view job);

}  // namespace kelvo::test
