#pragma once
// Everything the generator writes, as (path, content) pairs relative to the
// project folder: data/Olvane.txt, docs/refrigerant-data.md and
// docs/plots/<refrigerant>.svg.
#include <string>
#include <vector>

struct OutputFile {
    std::string path;
    std::string content;
};

// Reads the tables from <root>/data/refprops and builds every output.
// `threads` only changes the speed. Returns false with `error` set.
bool generateOutputs(const std::string& root, int threads, std::vector<OutputFile>& files,
                     std::string& error);
