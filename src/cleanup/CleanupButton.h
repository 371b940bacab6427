#pragma once
class ActionHost;
// "Optimierungsbereinigung": the full clean-up of left-over hive copies; the
// program closes when it removed any.
void bBereinigung_Click(ActionHost& host);
