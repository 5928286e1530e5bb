#pragma once
// The comparisons the league's procedures break equal records with. Each gives every tied club
// one figure, higher being better; a step decides when the clubs' figures differ.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "league/club_records.h"

namespace tavrin {

enum class Decider {
  Record,                  // no tie: the club's percentage alone placed it
  HeadToHead,              // percentage in the games among the tied clubs
  HeadToHeadSweep,         // one club beat each of the others, or lost to each of them
  DivisionRecord,          // percentage in division games
  CommonGames,             // percentage against the opponents every tied club has played
  CommonGamesAtLeastFour,  // the same, only when each club has four such games or more
  ConferenceRecord,        // percentage in conference games
  StrengthOfVictory,       // the combined percentage of the clubs it beat, once a win
  StrengthOfSchedule,      // the combined percentage of its opponents, once a game
  ConferencePointsRank,    // its rank in points scored plus its rank in points allowed, among
                           // the clubs of its conference (the lower sum is better)
  LeaguePointsRank,        // the same among all clubs
  CommonNetPoints,         // net points against the opponents every tied club has played
  ConferenceNetPoints,     // net points in conference games
  NetPoints,               // net points in all games
  Draw,                    // nothing else parts them
};

// The step in the words a seed line shows: "conference record".
std::string_view DeciderName(Decider decider);

// Each club's figure for a step, in the order of `clubs`; nothing when the step does not apply
// to them (no games among them, too few common games, no sweep), or for Record and Draw.
std::optional<std::vector<double>> StepFigures(const ClubRecords& records, Decider step,
                                               std::span<const int> clubs);

}  // namespace tavrin
