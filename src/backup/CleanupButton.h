#pragma once
class Root;

// "Optimierungsbereinigung": the full clean-up of left-over hive copies; the
// program closes when it removed any.
void bBereinigung_Click(Root& root);
