#pragma once
// How many come to a match: the paying attendance of the four stadium sectors (geral,
// arquibancada, cadeiras, camarotes) by the competition's model, and the gate it brings.

#include <array>

namespace kv {

using SectorAttendance = std::array<int, 4>;

// The default ticket price of a sector for a division; a division outside 0..4 has none.
int DefaultTicketPrice(int division, int sector);

SectorAttendance AttendanceLeague(int home, int visitor);
SectorAttendance AttendanceStateOrSuperCup(int home, int visitor);
SectorAttendance AttendanceNationalCup(int home, int visitor);
SectorAttendance AttendanceFriendly(int home, int visitor);
SectorAttendance AttendanceContinental(int home, int visitor);
SectorAttendance AttendanceSecondCup(int home, int visitor);

// The model of a competition kind; neutral grounds (club world cup, national teams) fill nothing.
SectorAttendance AttendanceOfKind(int kind, int home, int visitor);

// Sector attendance times the home club's ticket price of the sector, in whole units.
int GateIncome(int home, const SectorAttendance& attendance);

}  // namespace kv
