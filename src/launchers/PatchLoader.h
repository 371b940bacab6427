#pragma once
class ActionHost;
// "Windows-Patch Loader": runs the publisher's patch loader with MSHTA, or
// lets the user find it first.
void bPatchLoader_Click(ActionHost& host);
