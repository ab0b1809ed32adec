// The generated layout: the board is cut into equal slots, one per two-pin
// part, DIP, SIP or ZIP, each part centred in its own slot; with a route
// netlist the slots go out so that parts sharing nets sit close together.
// Edge connectors, pads and reserved locations keep the positions the parts
// file gives them.
//
// Who calls what, in order:
//
// 1. The parts-file parser, in generated mode, creates every part and places
//    it with PlaceComponent(..., LayoutMode::Generated, ...): the arranged
//    parts stand at column 0, row 0, direction L. At the end of the file:
//
//        if (!PlanGeneratedLayout(doc, countToPlace, platform)) return 0;
//
//    That plans the slots (SlotPlan::Process()), enlarges a board that is too
//    small and plans once more, or refuses a document of more than
//    MAX_ARRANGED_ITEMS parts; every refusal has been shown in a message box.
//    (PlanSlots is the single planning step, if a caller wants the two
//    attempts itself.)
//
// 2. PostLayout, for a generated layout whose .rou file exists:
//
//        PlaceInSlots(doc, nullptr);          // document order
//        ... ReadRouteNetlist into doc.GetNetList() ...
//        const PlacementOrder order = ComputePlacementOrder(doc);
//        ReturnToOrigin(doc);
//        PlaceInSlots(doc, &order);           // spiral / connection order
//
//    The order must be computed while the net list still points at the
//    document's current components. Then the inUse tables are cleared and
//    the grid is rebuilt with MarkComponents as for any layout. Without a
//    .rou file none of this runs and the parts stay at the origin.
#pragma once

#include "parts/arcstrength.h"
#include "parts/placeinslots.h"
#include "parts/placementorder.h"
#include "parts/slotplan.h"
