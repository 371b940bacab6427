#pragma once
class ActionHost;
// "Registrierungssicherungen": a full registry backup into today's folder by ERUNT.
void bSicherungen_Click(ActionHost& host);
