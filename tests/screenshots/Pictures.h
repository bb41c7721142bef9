#pragma once
// The pictures the screenshots tool takes from the headless game. Each saves its PNG files into
// folder and returns false when a picture could not be made or saved. They read the game's
// generated Data/ folder from the working folder.

#include <filesystem>

// All 24 text styles, each with a text the game draws in it: text-styles.png.
bool SaveTextStylesPicture(const std::filesystem::path& folder);

// Patterns turned about their pivot, faded, drawn over others with their transparency, and text
// in several styles: drawing-layer.png.
bool SaveDrawingLayerPicture(const std::filesystem::path& folder);

// The race view with the ship on a straight, in a bend and at the finish line of a level-1
// track: driving-straight.png, driving-bend.png, driving-finish.png.
bool SaveRaceViewPictures(const std::filesystem::path& folder);

// The high-score table right after a game whose result went in at fourth place:
// high-scores-after-a-game.png.
bool SaveHighScoresAfterAGamePicture(const std::filesystem::path& folder);

// A crowded level-5 race: race-crowded.png (ships banking, shots in flight), race-explosion.png
// and race-asteroid.png.
bool SaveCrowdedRacePictures(const std::filesystem::path& folder);

// One level of a game: level-start.png, level-pick-up.png, level-firing.png,
// level-mini-map-bend.png, level-explosion.png, level-respawn.png, level-finish.png and
// level-results.png.
bool SaveLevelSeriesPictures(const std::filesystem::path& folder);

// The race's outlined captions over the start line: race-caption-level.png and
// race-caption-time-over.png.
bool SaveRaceCaptionPictures(const std::filesystem::path& folder);
