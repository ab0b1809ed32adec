// Rebuilding the board grid from the placed components.
#pragma once

namespace cuprum {

class CBrdDoc;
class Component;

// Clears the board, writes every pin of every placed component into its cell
// (a later component wins a cell it shares with an earlier one), gives
// through-hole pins their hole on the far side, draws the edge-connector
// fingers and marks the border ring. Pins outside the grid are passed over.
// Edge-connector pins are left standing at the inner ends of their fingers.
void MarkComponents(CBrdDoc& doc);

// The cells of one component, as MarkComponents writes them; `step` is the
// board's grid positions per tenth of an inch.
void MarkComponent(CBrdDoc& doc, Component& component, int step);

}  // namespace cuprum
