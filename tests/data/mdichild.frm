VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmDoc 
   Caption         =   "Document"
   ClientHeight    =   3600
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4800
   LinkTopic       =   "Form1"
   MDIChild        =   -1  'True
   ScaleHeight     =   3600
   ScaleWidth      =   4800
   Begin VB.TextBox txtBody 
      Height          =   3000
      Left            =   120
      MultiLine       =   -1  'True
      TabIndex        =   0
      Top             =   120
      Width           =   4560
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "mdichild.frx":0000
      FormGUID        =   "{2E942367-815D-4DB5-BA2E-EE352D09496F}"
      ChildWidth      =   4920
      ChildHeight     =   4005
      ChildScaleWidth =   4800
      ChildScaleHeight=   3600
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmDoc"
