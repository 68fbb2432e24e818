// What the game tells about a letter: on a tile, or as a key request.
#pragma once

// Plain on a tile means no colour; as a key request it means none is made.
enum class TLetterMark { Plain, Green, Yellow, Absent };
