#pragma once
// The scratch folder the reader fuzz targets put each input into, under the data file's name.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tavrin::fuzz {

// A folder of this process's own, removed when the process exits normally.
const std::filesystem::path& ScratchFolder();

// Writes the input as the named file of the scratch folder.
void PutFile(const std::string& name, const uint8_t* data, std::size_t size);

}  // namespace tavrin::fuzz
