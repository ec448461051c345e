#pragma once

class TGallerySheet;

// Each control kind adds its rows, one per state, to the sheet.
void AddURLLabelRows(TGallerySheet& sheet);
void AddButtonRows(TGallerySheet& sheet);
void AddCheckBoxRows(TGallerySheet& sheet);
void AddImagePanelRows(TGallerySheet& sheet);
void AddPanelRows(TGallerySheet& sheet);
void AddGroupBoxRows(TGallerySheet& sheet);
void AddTrackBarRows(TGallerySheet& sheet);
void AddMemoRows(TGallerySheet& sheet);
void AddScrollBarRows(TGallerySheet& sheet);
void AddPageControlRows(TGallerySheet& sheet);
void AddSideChannelRows(TGallerySheet& sheet);
void AddStatusBarRows(TGallerySheet& sheet);
void AddPopupMenuRows(TGallerySheet& sheet);

// Every control kind, in the order the sheet shows them.
void AddAllRows(TGallerySheet& sheet);
