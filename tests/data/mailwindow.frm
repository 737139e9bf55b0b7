VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form MailWindow 
   BorderStyle     =   2  'Sizable
   Caption         =   "Mail"
   ClientHeight    =   6600
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   9600
   ScaleHeight     =   6600
   ScaleWidth      =   9600
   StartUpPosition =   0  'Manual
   Begin VB.PictureBox toolbar 
      Appearance      =   0  'Flat
      BorderStyle     =   1  'Fixed Single
      Height          =   540
      Left            =   0
      ScaleHeight     =   510
      ScaleWidth      =   9570
      TabIndex        =   0
      Top             =   0
      Width           =   9600
      Begin VB.CommandButton newButton 
         Caption         =   "&New"
         Height          =   420
         Left            =   45
         TabIndex        =   1
         Top             =   45
         Width           =   1080
      End
      Begin VB.CommandButton replyButton 
         Caption         =   "&Reply"
         Height          =   420
         Left            =   1185
         TabIndex        =   2
         Top             =   45
         Width           =   1080
      End
      Begin VB.CommandButton deleteButton 
         Caption         =   "&Delete"
         Height          =   420
         Left            =   2325
         TabIndex        =   3
         Top             =   45
         Width           =   1080
      End
   End
   Begin VB.ListBox folderTree 
      Height          =   5160
      IntegralHeight  =   0   'False
      Left            =   120
      TabIndex        =   4
      Top             =   660
      Width           =   2280
   End
   Begin VB.ListBox messageList 
      Height          =   2400
      IntegralHeight  =   0   'False
      Left            =   2520
      TabIndex        =   5
      Top             =   660
      Width           =   6960
   End
   Begin VB.TextBox previewText 
      Height          =   2640
      Left            =   2520
      MultiLine       =   -1  'True
      TabIndex        =   6
      Text            =   "Dear team, the new layout keeps every widget in its place."
      Top             =   3180
      Width           =   6960
   End
   Begin VB.CommandButton okButton 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   420
      Left            =   6840
      TabIndex        =   7
      Top             =   6000
      Width           =   1260
   End
   Begin VB.CommandButton cancelButton 
      Caption         =   "Cancel"
      Height          =   420
      Left            =   8220
      TabIndex        =   8
      Top             =   6000
      Width           =   1260
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "mailwindow.frx":0000
      PaneSettings    =   "folderTree messageList previewText"
      FormGUID        =   "{4E1C2A7B-93D5-4F68-A0B2-7C5D19E3F846}"
      MinWidth        =   7320
      MinHeight       =   5205
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
