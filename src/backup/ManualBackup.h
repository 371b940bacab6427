#pragma once
class Root;

// "Registrierungssicherungen": a full registry backup into today's folder by ERUNT.
void bSicherungen_Click(Root& root);
