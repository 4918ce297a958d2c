// The project file: one UTF-8 JSON file that keeps everything the user typed for
// a ship - particulars, ship type, offsets, masses, section inertias - as texts.
#pragma once

#include "project/project.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace hullcalc {

// The value of the file's "format" key, and the newest "version" this program
// writes and reads.
inline constexpr std::string_view projectFormatName = "hullcalc-project";
inline constexpr int projectFormatVersion = 1;

// The bytes of the project file, the same for the same project: a JSON object
// indented by two blanks, keys in this order,
//
//   "format": "hullcalc-project",
//   "version": 1,
//   "particulars": {"ShipD": "1503", ... a text per key of particularFields},
//   "shipType": "sea" | "river" | null,
//   "offsets": [ per frame 0..20: the texts of waterlines 1..10 ],
//   "masses": [ one text per spacing 0-1..19-20 ],
//   "sectionInertia": [ one text per spacing ]   (only when the project has them)
//   "strength": {"waveHeight": "", "waveProfile": "trochoid" | "cosine",
//                "allowableStress": "175", "girder": [ per member: [name, F, z, i] ]}
//                                                (only when the project has it)
//
// with a newline at the end. Texts are written as they are, Cyrillic as UTF-8;
// a text that is not valid UTF-8 (no window makes one) gets U+FFFD in place of
// its invalid bytes, so saving never fails on it.
std::string projectFileBytes(const Project& project);

// The project the bytes hold. Refuses, throwing Error with a Russian message
// that names the cause and the place, bytes that are not a project (not a JSON
// object, no "format": "hullcalc-project"), a damaged project (broken JSON, a
// part of the wrong type, a table of the wrong size, a cell that is not a text)
// and a version newer than projectFormatVersion. Keys this version does not
// know are ignored; a missing particular keeps its default text, a missing ship
// type means none chosen, and missing (or null) section inertias leave
// sectionInertia empty. The offsets and masses are required. The tables come
// with their headers.
Project readProject(std::string_view bytes);

// Saves through saveFileSafely, so a failed save keeps the old file. Throws Error.
void saveProjectFile(const std::filesystem::path& path, const Project& project);

// Reads the file (refusing one longer than maxShipFileBytes) and then
// readProject. Throws Error; the caller's project is changed only on success.
Project loadProjectFile(const std::filesystem::path& path);

// Whether the bytes are meant as a project rather than an old input data file:
// the first byte after an optional UTF-8 byte order mark and blanks is '{'. An
// input data file begins with its title line, so any JSON object goes to
// readProject, which names why it is not a project if it is not one.
bool looksLikeProject(std::string_view bytes);

}  // namespace hullcalc
