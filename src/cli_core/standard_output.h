#pragma once
// What a command printed must have reached its destination (a full disk, a closed pipe):
// output that was lost is no success.

namespace soatnoma::cli_core {

// Flushes the standard output; when that fails, says why on the standard error and turns a
// success into status 3. Any other status stays as it was.
int CheckedStandardOutput(int status);

}  // namespace soatnoma::cli_core
