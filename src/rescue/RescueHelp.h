#pragma once

namespace quorvex {

// The text of --help, after the usage line.
struct RescueHelp {
    static constexpr const char* Text =
        "Copies every readable byte of the files below SOURCE_ROOT (or of the ITEMs, given\n"
        "relative to it or absolute) to the same places below DEST_ROOT. Symbolic links are\n"
        "made again as links; pipes, sockets and devices are left out and listed.\n"
        "  --job FILE        keep the job in FILE, saved as the run goes on; the same command\n"
        "                    with it continues a run that was stopped, killed or cut off.\n"
        "                    One run at a time per FILE.\n"
        "  --overwrite       replace existing destination files; a new copy that lost bytes\n"
        "                    is kept beside the earlier file instead\n"
        "  --skip-existing   keep existing destination files (the default without a terminal)\n"
        "  --no-sector-pass  leave damaged ranges as the first pass found them; by default\n"
        "                    each file's damaged ranges are read again, down to single\n"
        "                    sectors, once the rest of the file is safe\n"
        "  --retry-lost      with --job FILE and no roots: read only the job's lost ranges\n"
        "                    again (after the drive cooled down, or in another drive) and\n"
        "                    write what now reads into the copies; nothing else is read\n"
        "Lost bytes are given as byte positions: the first byte of a file is position 1, and\n"
        "a range A - B includes both A and B.\n"
        "Ctrl-C (or SIGTERM, SIGHUP, SIGQUIT) stops after the current block; a second one\n"
        "quits at once, with the job saved at the offset before the unfinished block.\n"
        "Exit status: 0 every file came through whole; 1 something was damaged, not copied,\n"
        "not read, left out or stopped, also after a quit by a second Ctrl-C; 2 bad usage,\n"
        "an unusable root or job file, or any other failure.";
};

}  // namespace quorvex
