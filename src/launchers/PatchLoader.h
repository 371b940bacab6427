#pragma once
class Root;

// "Windows-Patch Loader": runs the publisher's patch loader with MSHTA, or
// lets the user find it first.
void bPatchLoader_Click(Root& root);
