#pragma once

// Control ids of the wizard; fixed, so that UI automation can address them.
namespace setup::ids {
enum : int {
  lMain = 100, Label1, Label6, Label7, Label4, StatusBar1, Panel1, pc1,
  button3, Button2, Button1,
  ts1, Bevel1, Label9, Label11, Label10,
  ts3, Bevel3, Label3, Label13, d, dBrowse /* d + 1 */,
  ts4, Bevel4, Label14, Label2, smenu,
  ts5, Bevel5, Label15, txtread,
  ts8, Bevel8, Label8, Label17, lDest, Label18, lStart, Label19, lReadMe,
};
}
